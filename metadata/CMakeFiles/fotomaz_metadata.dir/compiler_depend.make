# Empty compiler generated dependencies file for fotomaz_metadata.
# This may be replaced when dependencies are built.
