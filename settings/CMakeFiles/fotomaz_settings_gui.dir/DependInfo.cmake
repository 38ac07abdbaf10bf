
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/settings/clear_icon.cpp" "settings/CMakeFiles/fotomaz_settings_gui.dir/clear_icon.cpp.o" "gcc" "settings/CMakeFiles/fotomaz_settings_gui.dir/clear_icon.cpp.o.d"
  "/work/main/settings/control_placement.cpp" "settings/CMakeFiles/fotomaz_settings_gui.dir/control_placement.cpp.o" "gcc" "settings/CMakeFiles/fotomaz_settings_gui.dir/control_placement.cpp.o.d"
  "/work/main/settings/control_tag.cpp" "settings/CMakeFiles/fotomaz_settings_gui.dir/control_tag.cpp.o" "gcc" "settings/CMakeFiles/fotomaz_settings_gui.dir/control_tag.cpp.o.d"
  "/work/main/settings/disabled_text.cpp" "settings/CMakeFiles/fotomaz_settings_gui.dir/disabled_text.cpp.o" "gcc" "settings/CMakeFiles/fotomaz_settings_gui.dir/disabled_text.cpp.o.d"
  "/work/main/settings/form_state.cpp" "settings/CMakeFiles/fotomaz_settings_gui.dir/form_state.cpp.o" "gcc" "settings/CMakeFiles/fotomaz_settings_gui.dir/form_state.cpp.o.d"
  "/work/main/settings/fotomaz_settings_gui_autogen/mocs_compilation.cpp" "settings/CMakeFiles/fotomaz_settings_gui.dir/fotomaz_settings_gui_autogen/mocs_compilation.cpp.o" "gcc" "settings/CMakeFiles/fotomaz_settings_gui.dir/fotomaz_settings_gui_autogen/mocs_compilation.cpp.o.d"
  "/work/main/settings/options_dialog.cpp" "settings/CMakeFiles/fotomaz_settings_gui.dir/options_dialog.cpp.o" "gcc" "settings/CMakeFiles/fotomaz_settings_gui.dir/options_dialog.cpp.o.d"
  "/work/main/settings/panel.cpp" "settings/CMakeFiles/fotomaz_settings_gui.dir/panel.cpp.o" "gcc" "settings/CMakeFiles/fotomaz_settings_gui.dir/panel.cpp.o.d"
  "/work/main/settings/search_icon.cpp" "settings/CMakeFiles/fotomaz_settings_gui.dir/search_icon.cpp.o" "gcc" "settings/CMakeFiles/fotomaz_settings_gui.dir/search_icon.cpp.o.d"
  "/work/main/settings/window_font.cpp" "settings/CMakeFiles/fotomaz_settings_gui.dir/window_font.cpp.o" "gcc" "settings/CMakeFiles/fotomaz_settings_gui.dir/window_font.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/platform/CMakeFiles/fotomaz_platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
