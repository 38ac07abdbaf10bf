file(REMOVE_RECURSE
  "../../data/bash-completion/fotomaz-verteilen"
  "CMakeFiles/fotomaz_completion"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/fotomaz_completion.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
