# Empty custom commands generated dependencies file for fotomaz_window_autogen.
# This may be replaced when dependencies are built.
