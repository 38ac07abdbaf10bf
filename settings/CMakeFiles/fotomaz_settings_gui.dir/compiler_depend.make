# Empty compiler generated dependencies file for fotomaz_settings_gui.
# This may be replaced when dependencies are built.
