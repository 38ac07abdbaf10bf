file(REMOVE_RECURSE
  "libfotomaz_run.a"
)
