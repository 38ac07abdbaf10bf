file(REMOVE_RECURSE
  "libfotomaz_exif_report.a"
)
