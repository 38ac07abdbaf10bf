file(REMOVE_RECURSE
  "CMakeFiles/fotomaz_settings_gui_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/fotomaz_settings_gui_autogen.dir/ParseCache.txt"
  "fotomaz_settings_gui_autogen"
  "CMakeFiles/fotomaz_settings_gui.dir/clear_icon.cpp.o"
  "CMakeFiles/fotomaz_settings_gui.dir/clear_icon.cpp.o.d"
  "CMakeFiles/fotomaz_settings_gui.dir/control_placement.cpp.o"
  "CMakeFiles/fotomaz_settings_gui.dir/control_placement.cpp.o.d"
  "CMakeFiles/fotomaz_settings_gui.dir/control_tag.cpp.o"
  "CMakeFiles/fotomaz_settings_gui.dir/control_tag.cpp.o.d"
  "CMakeFiles/fotomaz_settings_gui.dir/disabled_text.cpp.o"
  "CMakeFiles/fotomaz_settings_gui.dir/disabled_text.cpp.o.d"
  "CMakeFiles/fotomaz_settings_gui.dir/form_state.cpp.o"
  "CMakeFiles/fotomaz_settings_gui.dir/form_state.cpp.o.d"
  "CMakeFiles/fotomaz_settings_gui.dir/fotomaz_settings_gui_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/fotomaz_settings_gui.dir/fotomaz_settings_gui_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/fotomaz_settings_gui.dir/options_dialog.cpp.o"
  "CMakeFiles/fotomaz_settings_gui.dir/options_dialog.cpp.o.d"
  "CMakeFiles/fotomaz_settings_gui.dir/panel.cpp.o"
  "CMakeFiles/fotomaz_settings_gui.dir/panel.cpp.o.d"
  "CMakeFiles/fotomaz_settings_gui.dir/search_icon.cpp.o"
  "CMakeFiles/fotomaz_settings_gui.dir/search_icon.cpp.o.d"
  "CMakeFiles/fotomaz_settings_gui.dir/window_font.cpp.o"
  "CMakeFiles/fotomaz_settings_gui.dir/window_font.cpp.o.d"
  "libfotomaz_settings_gui.a"
  "libfotomaz_settings_gui.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/fotomaz_settings_gui.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
