file(REMOVE_RECURSE
  "libfotomaz_metadata.a"
)
