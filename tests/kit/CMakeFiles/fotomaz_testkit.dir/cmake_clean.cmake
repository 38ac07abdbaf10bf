file(REMOVE_RECURSE
  "CMakeFiles/fotomaz_testkit.dir/camera_file_builder.cpp.o"
  "CMakeFiles/fotomaz_testkit.dir/camera_file_builder.cpp.o.d"
  "CMakeFiles/fotomaz_testkit.dir/dated_files.cpp.o"
  "CMakeFiles/fotomaz_testkit.dir/dated_files.cpp.o.d"
  "CMakeFiles/fotomaz_testkit.dir/fake_modal.cpp.o"
  "CMakeFiles/fotomaz_testkit.dir/fake_modal.cpp.o.d"
  "CMakeFiles/fotomaz_testkit.dir/fuse_share.cpp.o"
  "CMakeFiles/fotomaz_testkit.dir/fuse_share.cpp.o.d"
  "CMakeFiles/fotomaz_testkit.dir/iptc_builder.cpp.o"
  "CMakeFiles/fotomaz_testkit.dir/iptc_builder.cpp.o.d"
  "CMakeFiles/fotomaz_testkit.dir/iso_builder.cpp.o"
  "CMakeFiles/fotomaz_testkit.dir/iso_builder.cpp.o.d"
  "CMakeFiles/fotomaz_testkit.dir/jpeg_builder.cpp.o"
  "CMakeFiles/fotomaz_testkit.dir/jpeg_builder.cpp.o.d"
  "CMakeFiles/fotomaz_testkit.dir/makernote_builder.cpp.o"
  "CMakeFiles/fotomaz_testkit.dir/makernote_builder.cpp.o.d"
  "CMakeFiles/fotomaz_testkit.dir/raw_builder.cpp.o"
  "CMakeFiles/fotomaz_testkit.dir/raw_builder.cpp.o.d"
  "CMakeFiles/fotomaz_testkit.dir/riff_png_builder.cpp.o"
  "CMakeFiles/fotomaz_testkit.dir/riff_png_builder.cpp.o.d"
  "CMakeFiles/fotomaz_testkit.dir/temp_files.cpp.o"
  "CMakeFiles/fotomaz_testkit.dir/temp_files.cpp.o.d"
  "CMakeFiles/fotomaz_testkit.dir/testkit.cpp.o"
  "CMakeFiles/fotomaz_testkit.dir/testkit.cpp.o.d"
  "CMakeFiles/fotomaz_testkit.dir/tiff_builder.cpp.o"
  "CMakeFiles/fotomaz_testkit.dir/tiff_builder.cpp.o.d"
  "libfotomaz_testkit.a"
  "libfotomaz_testkit.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/fotomaz_testkit.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
