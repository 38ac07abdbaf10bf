# Empty dependencies file for fotomaz_exif_report.
# This may be replaced when dependencies are built.
