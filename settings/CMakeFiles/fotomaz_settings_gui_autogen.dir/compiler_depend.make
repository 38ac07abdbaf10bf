# Empty custom commands generated dependencies file for fotomaz_settings_gui_autogen.
# This may be replaced when dependencies are built.
