
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/window/close_on_signal.cpp" "window/CMakeFiles/fotomaz_window.dir/close_on_signal.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/close_on_signal.cpp.o.d"
  "/work/main/window/collected_files_model.cpp" "window/CMakeFiles/fotomaz_window.dir/collected_files_model.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/collected_files_model.cpp.o.d"
  "/work/main/window/display_check.cpp" "window/CMakeFiles/fotomaz_window.dir/display_check.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/display_check.cpp.o.d"
  "/work/main/window/distribute_icon.cpp" "window/CMakeFiles/fotomaz_window.dir/distribute_icon.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/distribute_icon.cpp.o.d"
  "/work/main/window/file_icons.cpp" "window/CMakeFiles/fotomaz_window.dir/file_icons.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/file_icons.cpp.o.d"
  "/work/main/window/file_picture.cpp" "window/CMakeFiles/fotomaz_window.dir/file_picture.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/file_picture.cpp.o.d"
  "/work/main/window/focus_marked_button.cpp" "window/CMakeFiles/fotomaz_window.dir/focus_marked_button.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/focus_marked_button.cpp.o.d"
  "/work/main/window/fotomaz_application.cpp" "window/CMakeFiles/fotomaz_window.dir/fotomaz_application.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/fotomaz_application.cpp.o.d"
  "/work/main/window/fotomaz_window_autogen/mocs_compilation.cpp" "window/CMakeFiles/fotomaz_window.dir/fotomaz_window_autogen/mocs_compilation.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/fotomaz_window_autogen/mocs_compilation.cpp.o.d"
  "/work/main/window/main_window.cpp" "window/CMakeFiles/fotomaz_window.dir/main_window.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/main_window.cpp.o.d"
  "/work/main/window/preview_dialog.cpp" "window/CMakeFiles/fotomaz_window.dir/preview_dialog.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/preview_dialog.cpp.o.d"
  "/work/main/window/preview_front_end.cpp" "window/CMakeFiles/fotomaz_window.dir/preview_front_end.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/preview_front_end.cpp.o.d"
  "/work/main/window/preview_model.cpp" "window/CMakeFiles/fotomaz_window.dir/preview_model.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/preview_model.cpp.o.d"
  "/work/main/window/preview_texts.cpp" "window/CMakeFiles/fotomaz_window.dir/preview_texts.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/preview_texts.cpp.o.d"
  "/work/main/window/qrc_window_icon.cpp" "window/CMakeFiles/fotomaz_window.dir/qrc_window_icon.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/qrc_window_icon.cpp.o.d"
  "/work/main/window/qt_modal.cpp" "window/CMakeFiles/fotomaz_window.dir/qt_modal.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/qt_modal.cpp.o.d"
  "/work/main/window/qt_translation.cpp" "window/CMakeFiles/fotomaz_window.dir/qt_translation.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/qt_translation.cpp.o.d"
  "/work/main/window/report_dialog.cpp" "window/CMakeFiles/fotomaz_window.dir/report_dialog.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/report_dialog.cpp.o.d"
  "/work/main/window/run_report.cpp" "window/CMakeFiles/fotomaz_window.dir/run_report.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/run_report.cpp.o.d"
  "/work/main/window/wait_cursor.cpp" "window/CMakeFiles/fotomaz_window.dir/wait_cursor.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/wait_cursor.cpp.o.d"
  "/work/main/window/window_front_end.cpp" "window/CMakeFiles/fotomaz_window.dir/window_front_end.cpp.o" "gcc" "window/CMakeFiles/fotomaz_window.dir/window_front_end.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/settings/CMakeFiles/fotomaz_settings_gui.dir/DependInfo.cmake"
  "/work/main/run/CMakeFiles/fotomaz_run.dir/DependInfo.cmake"
  "/work/main/metadata/CMakeFiles/fotomaz_metadata.dir/DependInfo.cmake"
  "/work/main/platform/CMakeFiles/fotomaz_platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
