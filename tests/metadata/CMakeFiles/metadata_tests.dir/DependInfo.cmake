
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/metadata/byte_order_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/byte_order_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/byte_order_test.cpp.o.d"
  "/work/main/tests/metadata/byte_stream_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/byte_stream_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/byte_stream_test.cpp.o.d"
  "/work/main/tests/metadata/capture_date_files_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/capture_date_files_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/capture_date_files_test.cpp.o.d"
  "/work/main/tests/metadata/capture_date_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/capture_date_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/capture_date_test.cpp.o.d"
  "/work/main/tests/metadata/date_text_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/date_text_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/date_text_test.cpp.o.d"
  "/work/main/tests/metadata/exif_file_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/exif_file_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/exif_file_test.cpp.o.d"
  "/work/main/tests/metadata/exif_thumbnail_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/exif_thumbnail_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/exif_thumbnail_test.cpp.o.d"
  "/work/main/tests/metadata/inner_dates_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/inner_dates_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/inner_dates_test.cpp.o.d"
  "/work/main/tests/metadata/iptc_edit_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/iptc_edit_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/iptc_edit_test.cpp.o.d"
  "/work/main/tests/metadata/iptc_file_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/iptc_file_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/iptc_file_test.cpp.o.d"
  "/work/main/tests/metadata/iptc_parse_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/iptc_parse_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/iptc_parse_test.cpp.o.d"
  "/work/main/tests/metadata/iptc_tool_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/iptc_tool_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/iptc_tool_test.cpp.o.d"
  "/work/main/tests/metadata/makernote_layout_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/makernote_layout_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/makernote_layout_test.cpp.o.d"
  "/work/main/tests/metadata/makernote_render_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/makernote_render_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/makernote_render_test.cpp.o.d"
  "/work/main/tests/metadata/makernote_samples_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/makernote_samples_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/makernote_samples_test.cpp.o.d"
  "/work/main/tests/metadata/makernote_walk_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/makernote_walk_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/makernote_walk_test.cpp.o.d"
  "/work/main/tests/metadata/reader_threads_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/reader_threads_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/reader_threads_test.cpp.o.d"
  "/work/main/tests/metadata/rendering_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/rendering_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/rendering_test.cpp.o.d"
  "/work/main/tests/metadata/samples_golden_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/samples_golden_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/samples_golden_test.cpp.o.d"
  "/work/main/tests/metadata/scan_jpeg_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/scan_jpeg_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/scan_jpeg_test.cpp.o.d"
  "/work/main/tests/metadata/sidecar_dates_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/sidecar_dates_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/sidecar_dates_test.cpp.o.d"
  "/work/main/tests/metadata/stated_dates_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/stated_dates_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/stated_dates_test.cpp.o.d"
  "/work/main/tests/metadata/tagtables_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/tagtables_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/tagtables_test.cpp.o.d"
  "/work/main/tests/metadata/tiff_read_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/tiff_read_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/tiff_read_test.cpp.o.d"
  "/work/main/tests/metadata/tool_report_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/tool_report_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/tool_report_test.cpp.o.d"
  "/work/main/tests/metadata/walk_directory_test.cpp" "tests/metadata/CMakeFiles/metadata_tests.dir/walk_directory_test.cpp.o" "gcc" "tests/metadata/CMakeFiles/metadata_tests.dir/walk_directory_test.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/metadata/CMakeFiles/fotomaz_metadata.dir/DependInfo.cmake"
  "/work/main/tests/kit/CMakeFiles/fotomaz_testkit.dir/DependInfo.cmake"
  "/work/main/tools/CMakeFiles/fotomaz_exif_report.dir/DependInfo.cmake"
  "/work/main/run/CMakeFiles/fotomaz_run.dir/DependInfo.cmake"
  "/work/main/platform/CMakeFiles/fotomaz_platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
