
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/platform/append_file.cpp" "platform/CMakeFiles/fotomaz_platform.dir/append_file.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/append_file.cpp.o.d"
  "/work/main/platform/content_hash.cpp" "platform/CMakeFiles/fotomaz_platform.dir/content_hash.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/content_hash.cpp.o.d"
  "/work/main/platform/cross_device_batch.cpp" "platform/CMakeFiles/fotomaz_platform.dir/cross_device_batch.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/cross_device_batch.cpp.o.d"
  "/work/main/platform/directory_walk.cpp" "platform/CMakeFiles/fotomaz_platform.dir/directory_walk.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/directory_walk.cpp.o.d"
  "/work/main/platform/display_probe.cpp" "platform/CMakeFiles/fotomaz_platform.dir/display_probe.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/display_probe.cpp.o.d"
  "/work/main/platform/file_compare.cpp" "platform/CMakeFiles/fotomaz_platform.dir/file_compare.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/file_compare.cpp.o.d"
  "/work/main/platform/file_copy.cpp" "platform/CMakeFiles/fotomaz_platform.dir/file_copy.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/file_copy.cpp.o.d"
  "/work/main/platform/file_info.cpp" "platform/CMakeFiles/fotomaz_platform.dir/file_info.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/file_info.cpp.o.d"
  "/work/main/platform/file_time.cpp" "platform/CMakeFiles/fotomaz_platform.dir/file_time.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/file_time.cpp.o.d"
  "/work/main/platform/folder_lock.cpp" "platform/CMakeFiles/fotomaz_platform.dir/folder_lock.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/folder_lock.cpp.o.d"
  "/work/main/platform/housekeeping_files.cpp" "platform/CMakeFiles/fotomaz_platform.dir/housekeeping_files.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/housekeeping_files.cpp.o.d"
  "/work/main/platform/ini.cpp" "platform/CMakeFiles/fotomaz_platform.dir/ini.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/ini.cpp.o.d"
  "/work/main/platform/ini_text.cpp" "platform/CMakeFiles/fotomaz_platform.dir/ini_text.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/ini_text.cpp.o.d"
  "/work/main/platform/line_reader.cpp" "platform/CMakeFiles/fotomaz_platform.dir/line_reader.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/line_reader.cpp.o.d"
  "/work/main/platform/lower_name.cpp" "platform/CMakeFiles/fotomaz_platform.dir/lower_name.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/lower_name.cpp.o.d"
  "/work/main/platform/modal.cpp" "platform/CMakeFiles/fotomaz_platform.dir/modal.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/modal.cpp.o.d"
  "/work/main/platform/move_file.cpp" "platform/CMakeFiles/fotomaz_platform.dir/move_file.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/move_file.cpp.o.d"
  "/work/main/platform/move_precheck.cpp" "platform/CMakeFiles/fotomaz_platform.dir/move_precheck.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/move_precheck.cpp.o.d"
  "/work/main/platform/move_steps.cpp" "platform/CMakeFiles/fotomaz_platform.dir/move_steps.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/move_steps.cpp.o.d"
  "/work/main/platform/name_mask.cpp" "platform/CMakeFiles/fotomaz_platform.dir/name_mask.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/name_mask.cpp.o.d"
  "/work/main/platform/path_text.cpp" "platform/CMakeFiles/fotomaz_platform.dir/path_text.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/path_text.cpp.o.d"
  "/work/main/platform/program_path.cpp" "platform/CMakeFiles/fotomaz_platform.dir/program_path.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/program_path.cpp.o.d"
  "/work/main/platform/read_only_file.cpp" "platform/CMakeFiles/fotomaz_platform.dir/read_only_file.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/read_only_file.cpp.o.d"
  "/work/main/platform/settings_location.cpp" "platform/CMakeFiles/fotomaz_platform.dir/settings_location.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/settings_location.cpp.o.d"
  "/work/main/platform/source_removal.cpp" "platform/CMakeFiles/fotomaz_platform.dir/source_removal.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/source_removal.cpp.o.d"
  "/work/main/platform/user_folders.cpp" "platform/CMakeFiles/fotomaz_platform.dir/user_folders.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/user_folders.cpp.o.d"
  "/work/main/platform/utf8.cpp" "platform/CMakeFiles/fotomaz_platform.dir/utf8.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/utf8.cpp.o.d"
  "/work/main/platform/write_all.cpp" "platform/CMakeFiles/fotomaz_platform.dir/write_all.cpp.o" "gcc" "platform/CMakeFiles/fotomaz_platform.dir/write_all.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
