# Empty compiler generated dependencies file for fotomaz_window.
# This may be replaced when dependencies are built.
