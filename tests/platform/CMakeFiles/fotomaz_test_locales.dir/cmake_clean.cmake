file(REMOVE_RECURSE
  "../../locale/C.UTF-8/LC_CTYPE"
  "../../locale/de_DE.UTF-8/LC_CTYPE"
  "CMakeFiles/fotomaz_test_locales"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/fotomaz_test_locales.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
