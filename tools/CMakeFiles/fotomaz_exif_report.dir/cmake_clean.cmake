file(REMOVE_RECURSE
  "CMakeFiles/fotomaz_exif_report.dir/exif_report.cpp.o"
  "CMakeFiles/fotomaz_exif_report.dir/exif_report.cpp.o.d"
  "libfotomaz_exif_report.a"
  "libfotomaz_exif_report.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/fotomaz_exif_report.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
