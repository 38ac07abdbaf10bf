file(REMOVE_RECURSE
  "CMakeFiles/fotomaz-bench-share.dir/fotomaz_bench_share.cpp.o"
  "CMakeFiles/fotomaz-bench-share.dir/fotomaz_bench_share.cpp.o.d"
  "fotomaz-bench-share"
  "fotomaz-bench-share.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/fotomaz-bench-share.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
