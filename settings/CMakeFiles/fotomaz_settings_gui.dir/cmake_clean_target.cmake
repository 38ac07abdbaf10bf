file(REMOVE_RECURSE
  "libfotomaz_settings_gui.a"
)
