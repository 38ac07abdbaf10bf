file(REMOVE_RECURSE
  "../../app/fotomaz-verteilen"
  "../../app/fotomaz-verteilen.pdb"
  "CMakeFiles/fotomaz-verteilen.dir/command_line.cpp.o"
  "CMakeFiles/fotomaz-verteilen.dir/command_line.cpp.o.d"
  "CMakeFiles/fotomaz-verteilen.dir/console.cpp.o"
  "CMakeFiles/fotomaz-verteilen.dir/console.cpp.o.d"
  "CMakeFiles/fotomaz-verteilen.dir/console_run.cpp.o"
  "CMakeFiles/fotomaz-verteilen.dir/console_run.cpp.o.d"
  "CMakeFiles/fotomaz-verteilen.dir/fotomaz_verteilen.cpp.o"
  "CMakeFiles/fotomaz-verteilen.dir/fotomaz_verteilen.cpp.o.d"
  "CMakeFiles/fotomaz-verteilen.dir/move_log.cpp.o"
  "CMakeFiles/fotomaz-verteilen.dir/move_log.cpp.o.d"
  "CMakeFiles/fotomaz-verteilen.dir/run_options.cpp.o"
  "CMakeFiles/fotomaz-verteilen.dir/run_options.cpp.o.d"
  "CMakeFiles/fotomaz-verteilen.dir/stop_signal.cpp.o"
  "CMakeFiles/fotomaz-verteilen.dir/stop_signal.cpp.o.d"
  "CMakeFiles/fotomaz-verteilen.dir/test_hooks.cpp.o"
  "CMakeFiles/fotomaz-verteilen.dir/test_hooks.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/fotomaz-verteilen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
