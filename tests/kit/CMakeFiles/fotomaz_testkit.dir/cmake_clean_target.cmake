file(REMOVE_RECURSE
  "libfotomaz_testkit.a"
)
