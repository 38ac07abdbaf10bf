file(REMOVE_RECURSE
  "libfotomaz_window.a"
)
