# Empty compiler generated dependencies file for fotomaz-exif.
# This may be replaced when dependencies are built.
