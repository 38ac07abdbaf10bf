
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tools/exif_report.cpp" "tools/CMakeFiles/fotomaz_exif_report.dir/exif_report.cpp.o" "gcc" "tools/CMakeFiles/fotomaz_exif_report.dir/exif_report.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/run/CMakeFiles/fotomaz_run.dir/DependInfo.cmake"
  "/work/main/metadata/CMakeFiles/fotomaz_metadata.dir/DependInfo.cmake"
  "/work/main/platform/CMakeFiles/fotomaz_platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
