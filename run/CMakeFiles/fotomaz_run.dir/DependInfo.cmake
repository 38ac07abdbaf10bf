
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/run/backup_copies.cpp" "run/CMakeFiles/fotomaz_run.dir/backup_copies.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/backup_copies.cpp.o.d"
  "/work/main/run/collected_files.cpp" "run/CMakeFiles/fotomaz_run.dir/collected_files.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/collected_files.cpp.o.d"
  "/work/main/run/companion_groups.cpp" "run/CMakeFiles/fotomaz_run.dir/companion_groups.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/companion_groups.cpp.o.d"
  "/work/main/run/companion_names.cpp" "run/CMakeFiles/fotomaz_run.dir/companion_names.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/companion_names.cpp.o.d"
  "/work/main/run/companion_run.cpp" "run/CMakeFiles/fotomaz_run.dir/companion_run.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/companion_run.cpp.o.d"
  "/work/main/run/counter_name.cpp" "run/CMakeFiles/fotomaz_run.dir/counter_name.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/counter_name.cpp.o.d"
  "/work/main/run/date_texts.cpp" "run/CMakeFiles/fotomaz_run.dir/date_texts.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/date_texts.cpp.o.d"
  "/work/main/run/distribution_run.cpp" "run/CMakeFiles/fotomaz_run.dir/distribution_run.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/distribution_run.cpp.o.d"
  "/work/main/run/escaped_text.cpp" "run/CMakeFiles/fotomaz_run.dir/escaped_text.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/escaped_text.cpp.o.d"
  "/work/main/run/file_collection.cpp" "run/CMakeFiles/fotomaz_run.dir/file_collection.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/file_collection.cpp.o.d"
  "/work/main/run/file_date.cpp" "run/CMakeFiles/fotomaz_run.dir/file_date.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/file_date.cpp.o.d"
  "/work/main/run/file_outcome.cpp" "run/CMakeFiles/fotomaz_run.dir/file_outcome.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/file_outcome.cpp.o.d"
  "/work/main/run/file_plan.cpp" "run/CMakeFiles/fotomaz_run.dir/file_plan.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/file_plan.cpp.o.d"
  "/work/main/run/folder_sidecars.cpp" "run/CMakeFiles/fotomaz_run.dir/folder_sidecars.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/folder_sidecars.cpp.o.d"
  "/work/main/run/identical_files.cpp" "run/CMakeFiles/fotomaz_run.dir/identical_files.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/identical_files.cpp.o.d"
  "/work/main/run/looked_at_file.cpp" "run/CMakeFiles/fotomaz_run.dir/looked_at_file.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/looked_at_file.cpp.o.d"
  "/work/main/run/option_binding.cpp" "run/CMakeFiles/fotomaz_run.dir/option_binding.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/option_binding.cpp.o.d"
  "/work/main/run/pad_text.cpp" "run/CMakeFiles/fotomaz_run.dir/pad_text.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/pad_text.cpp.o.d"
  "/work/main/run/record_bounds.cpp" "run/CMakeFiles/fotomaz_run.dir/record_bounds.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/record_bounds.cpp.o.d"
  "/work/main/run/run_guard.cpp" "run/CMakeFiles/fotomaz_run.dir/run_guard.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/run_guard.cpp.o.d"
  "/work/main/run/run_options.cpp" "run/CMakeFiles/fotomaz_run.dir/run_options.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/run_options.cpp.o.d"
  "/work/main/run/run_record.cpp" "run/CMakeFiles/fotomaz_run.dir/run_record.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/run_record.cpp.o.d"
  "/work/main/run/run_recovery.cpp" "run/CMakeFiles/fotomaz_run.dir/run_recovery.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/run_recovery.cpp.o.d"
  "/work/main/run/run_steps.cpp" "run/CMakeFiles/fotomaz_run.dir/run_steps.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/run_steps.cpp.o.d"
  "/work/main/run/run_texts.cpp" "run/CMakeFiles/fotomaz_run.dir/run_texts.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/run_texts.cpp.o.d"
  "/work/main/run/system_error_texts.cpp" "run/CMakeFiles/fotomaz_run.dir/system_error_texts.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/system_error_texts.cpp.o.d"
  "/work/main/run/target_folders.cpp" "run/CMakeFiles/fotomaz_run.dir/target_folders.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/target_folders.cpp.o.d"
  "/work/main/run/target_name.cpp" "run/CMakeFiles/fotomaz_run.dir/target_name.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/target_name.cpp.o.d"
  "/work/main/run/undo_run.cpp" "run/CMakeFiles/fotomaz_run.dir/undo_run.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/undo_run.cpp.o.d"
  "/work/main/run/unique_name.cpp" "run/CMakeFiles/fotomaz_run.dir/unique_name.cpp.o" "gcc" "run/CMakeFiles/fotomaz_run.dir/unique_name.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/metadata/CMakeFiles/fotomaz_metadata.dir/DependInfo.cmake"
  "/work/main/platform/CMakeFiles/fotomaz_platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
