file(REMOVE_RECURSE
  "CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/command_line.cpp.o"
  "CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/command_line.cpp.o.d"
  "CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/console.cpp.o"
  "CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/console.cpp.o.d"
  "CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/console_run.cpp.o"
  "CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/console_run.cpp.o.d"
  "CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/fotomaz_verteilen.cpp.o"
  "CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/fotomaz_verteilen.cpp.o.d"
  "CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/move_log.cpp.o"
  "CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/move_log.cpp.o.d"
  "CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/run_options.cpp.o"
  "CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/run_options.cpp.o.d"
  "CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/stop_signal.cpp.o"
  "CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/stop_signal.cpp.o.d"
  "CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/test_hooks.cpp.o"
  "CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/test_hooks.cpp.o.d"
  "fotomaz-verteilen-hooks"
  "fotomaz-verteilen-hooks.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/fotomaz-verteilen-hooks.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
