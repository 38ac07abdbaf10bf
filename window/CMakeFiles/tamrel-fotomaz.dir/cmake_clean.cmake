file(REMOVE_RECURSE
  "../app/tamrel-fotomaz"
  "../app/tamrel-fotomaz.pdb"
  "CMakeFiles/tamrel-fotomaz.dir/main.cpp.o"
  "CMakeFiles/tamrel-fotomaz.dir/main.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tamrel-fotomaz.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
