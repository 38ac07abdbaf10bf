file(REMOVE_RECURSE
  "CMakeFiles/fotomaz-exif.dir/fotomaz_exif.cpp.o"
  "CMakeFiles/fotomaz-exif.dir/fotomaz_exif.cpp.o.d"
  "fotomaz-exif"
  "fotomaz-exif.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/fotomaz-exif.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
