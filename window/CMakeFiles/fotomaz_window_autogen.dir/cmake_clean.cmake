file(REMOVE_RECURSE
  "CMakeFiles/fotomaz_window_autogen"
  "fotomaz_window_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/fotomaz_window_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
