
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/bench/fotomaz_bench_gui.cpp" "bench/CMakeFiles/fotomaz-bench-gui.dir/fotomaz_bench_gui.cpp.o" "gcc" "bench/CMakeFiles/fotomaz-bench-gui.dir/fotomaz_bench_gui.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/bench/CMakeFiles/fotomaz_bench_kit.dir/DependInfo.cmake"
  "/work/main/window/CMakeFiles/fotomaz_window.dir/DependInfo.cmake"
  "/work/main/run/CMakeFiles/fotomaz_run.dir/DependInfo.cmake"
  "/work/main/metadata/CMakeFiles/fotomaz_metadata.dir/DependInfo.cmake"
  "/work/main/settings/CMakeFiles/fotomaz_settings_gui.dir/DependInfo.cmake"
  "/work/main/platform/CMakeFiles/fotomaz_platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
