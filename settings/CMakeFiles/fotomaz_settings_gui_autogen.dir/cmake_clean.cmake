file(REMOVE_RECURSE
  "CMakeFiles/fotomaz_settings_gui_autogen"
  "fotomaz_settings_gui_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/fotomaz_settings_gui_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
