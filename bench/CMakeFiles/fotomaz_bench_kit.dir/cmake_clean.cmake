file(REMOVE_RECURSE
  "CMakeFiles/fotomaz_bench_kit.dir/bench_tree.cpp.o"
  "CMakeFiles/fotomaz_bench_kit.dir/bench_tree.cpp.o.d"
  "CMakeFiles/fotomaz_bench_kit.dir/synthetic_tree.cpp.o"
  "CMakeFiles/fotomaz_bench_kit.dir/synthetic_tree.cpp.o.d"
  "libfotomaz_bench_kit.a"
  "libfotomaz_bench_kit.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/fotomaz_bench_kit.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
