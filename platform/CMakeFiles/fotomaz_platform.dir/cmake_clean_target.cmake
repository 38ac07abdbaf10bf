file(REMOVE_RECURSE
  "libfotomaz_platform.a"
)
