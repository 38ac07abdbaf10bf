
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/kit/camera_file_builder.cpp" "tests/kit/CMakeFiles/fotomaz_testkit.dir/camera_file_builder.cpp.o" "gcc" "tests/kit/CMakeFiles/fotomaz_testkit.dir/camera_file_builder.cpp.o.d"
  "/work/main/tests/kit/dated_files.cpp" "tests/kit/CMakeFiles/fotomaz_testkit.dir/dated_files.cpp.o" "gcc" "tests/kit/CMakeFiles/fotomaz_testkit.dir/dated_files.cpp.o.d"
  "/work/main/tests/kit/fake_modal.cpp" "tests/kit/CMakeFiles/fotomaz_testkit.dir/fake_modal.cpp.o" "gcc" "tests/kit/CMakeFiles/fotomaz_testkit.dir/fake_modal.cpp.o.d"
  "/work/main/tests/kit/fuse_share.cpp" "tests/kit/CMakeFiles/fotomaz_testkit.dir/fuse_share.cpp.o" "gcc" "tests/kit/CMakeFiles/fotomaz_testkit.dir/fuse_share.cpp.o.d"
  "/work/main/tests/kit/iptc_builder.cpp" "tests/kit/CMakeFiles/fotomaz_testkit.dir/iptc_builder.cpp.o" "gcc" "tests/kit/CMakeFiles/fotomaz_testkit.dir/iptc_builder.cpp.o.d"
  "/work/main/tests/kit/iso_builder.cpp" "tests/kit/CMakeFiles/fotomaz_testkit.dir/iso_builder.cpp.o" "gcc" "tests/kit/CMakeFiles/fotomaz_testkit.dir/iso_builder.cpp.o.d"
  "/work/main/tests/kit/jpeg_builder.cpp" "tests/kit/CMakeFiles/fotomaz_testkit.dir/jpeg_builder.cpp.o" "gcc" "tests/kit/CMakeFiles/fotomaz_testkit.dir/jpeg_builder.cpp.o.d"
  "/work/main/tests/kit/makernote_builder.cpp" "tests/kit/CMakeFiles/fotomaz_testkit.dir/makernote_builder.cpp.o" "gcc" "tests/kit/CMakeFiles/fotomaz_testkit.dir/makernote_builder.cpp.o.d"
  "/work/main/tests/kit/raw_builder.cpp" "tests/kit/CMakeFiles/fotomaz_testkit.dir/raw_builder.cpp.o" "gcc" "tests/kit/CMakeFiles/fotomaz_testkit.dir/raw_builder.cpp.o.d"
  "/work/main/tests/kit/riff_png_builder.cpp" "tests/kit/CMakeFiles/fotomaz_testkit.dir/riff_png_builder.cpp.o" "gcc" "tests/kit/CMakeFiles/fotomaz_testkit.dir/riff_png_builder.cpp.o.d"
  "/work/main/tests/kit/temp_files.cpp" "tests/kit/CMakeFiles/fotomaz_testkit.dir/temp_files.cpp.o" "gcc" "tests/kit/CMakeFiles/fotomaz_testkit.dir/temp_files.cpp.o.d"
  "/work/main/tests/kit/testkit.cpp" "tests/kit/CMakeFiles/fotomaz_testkit.dir/testkit.cpp.o" "gcc" "tests/kit/CMakeFiles/fotomaz_testkit.dir/testkit.cpp.o.d"
  "/work/main/tests/kit/tiff_builder.cpp" "tests/kit/CMakeFiles/fotomaz_testkit.dir/tiff_builder.cpp.o" "gcc" "tests/kit/CMakeFiles/fotomaz_testkit.dir/tiff_builder.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/platform/CMakeFiles/fotomaz_platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
