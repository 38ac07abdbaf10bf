file(REMOVE_RECURSE
  "CMakeFiles/fotomaz_make_completion.dir/make_completion.cpp.o"
  "CMakeFiles/fotomaz_make_completion.dir/make_completion.cpp.o.d"
  "fotomaz_make_completion"
  "fotomaz_make_completion.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/fotomaz_make_completion.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
