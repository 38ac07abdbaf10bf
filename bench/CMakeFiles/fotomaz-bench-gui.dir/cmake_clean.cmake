file(REMOVE_RECURSE
  "CMakeFiles/fotomaz-bench-gui.dir/fotomaz_bench_gui.cpp.o"
  "CMakeFiles/fotomaz-bench-gui.dir/fotomaz_bench_gui.cpp.o.d"
  "fotomaz-bench-gui"
  "fotomaz-bench-gui.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/fotomaz-bench-gui.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
