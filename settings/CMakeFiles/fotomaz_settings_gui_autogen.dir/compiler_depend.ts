# CMAKE generated file: DO NOT EDIT!
# Timestamp file for custom commands dependencies management for fotomaz_settings_gui_autogen.
