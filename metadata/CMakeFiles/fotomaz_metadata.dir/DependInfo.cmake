
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/metadata/avchd_date.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/avchd_date.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/avchd_date.cpp.o.d"
  "/work/main/metadata/byte_order.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/byte_order.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/byte_order.cpp.o.d"
  "/work/main/metadata/byte_stream.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/byte_stream.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/byte_stream.cpp.o.d"
  "/work/main/metadata/capture_date.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/capture_date.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/capture_date.cpp.o.d"
  "/work/main/metadata/clip_xml_date.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/clip_xml_date.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/clip_xml_date.cpp.o.d"
  "/work/main/metadata/date_text.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/date_text.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/date_text.cpp.o.d"
  "/work/main/metadata/directory_walker.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/directory_walker.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/directory_walker.cpp.o.d"
  "/work/main/metadata/exif_reader.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/exif_reader.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/exif_reader.cpp.o.d"
  "/work/main/metadata/exif_segment.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/exif_segment.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/exif_segment.cpp.o.d"
  "/work/main/metadata/exif_thumbnail.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/exif_thumbnail.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/exif_thumbnail.cpp.o.d"
  "/work/main/metadata/export_json_date.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/export_json_date.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/export_json_date.cpp.o.d"
  "/work/main/metadata/file_facts.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/file_facts.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/file_facts.cpp.o.d"
  "/work/main/metadata/focal_length35.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/focal_length35.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/focal_length35.cpp.o.d"
  "/work/main/metadata/iptc.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/iptc.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/iptc.cpp.o.d"
  "/work/main/metadata/iptc_date.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/iptc_date.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/iptc_date.cpp.o.d"
  "/work/main/metadata/iptc_parse.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/iptc_parse.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/iptc_parse.cpp.o.d"
  "/work/main/metadata/iptc_table.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/iptc_table.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/iptc_table.cpp.o.d"
  "/work/main/metadata/iso_media.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/iso_media.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/iso_media.cpp.o.d"
  "/work/main/metadata/jpeg_exif_block.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/jpeg_exif_block.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/jpeg_exif_block.cpp.o.d"
  "/work/main/metadata/jpeg_segments.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/jpeg_segments.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/jpeg_segments.cpp.o.d"
  "/work/main/metadata/jxl_exif.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/jxl_exif.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/jxl_exif.cpp.o.d"
  "/work/main/metadata/makernote_layout.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/makernote_layout.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/makernote_layout.cpp.o.d"
  "/work/main/metadata/makernote_render.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/makernote_render.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/makernote_render.cpp.o.d"
  "/work/main/metadata/makernote_tables.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/makernote_tables.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/makernote_tables.cpp.o.d"
  "/work/main/metadata/makernote_walk.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/makernote_walk.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/makernote_walk.cpp.o.d"
  "/work/main/metadata/matroska_date.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/matroska_date.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/matroska_date.cpp.o.d"
  "/work/main/metadata/name_date.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/name_date.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/name_date.cpp.o.d"
  "/work/main/metadata/png_exif.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/png_exif.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/png_exif.cpp.o.d"
  "/work/main/metadata/raf_exif.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/raf_exif.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/raf_exif.cpp.o.d"
  "/work/main/metadata/rendering.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/rendering.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/rendering.cpp.o.d"
  "/work/main/metadata/riff_avi.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/riff_avi.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/riff_avi.cpp.o.d"
  "/work/main/metadata/srt_date.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/srt_date.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/srt_date.cpp.o.d"
  "/work/main/metadata/stated_date.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/stated_date.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/stated_date.cpp.o.d"
  "/work/main/metadata/tagtable_gps.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/tagtable_gps.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/tagtable_gps.cpp.o.d"
  "/work/main/metadata/tagtable_main.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/tagtable_main.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/tagtable_main.cpp.o.d"
  "/work/main/metadata/tagtables.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/tagtables.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/tagtables.cpp.o.d"
  "/work/main/metadata/tiff_inner.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/tiff_inner.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/tiff_inner.cpp.o.d"
  "/work/main/metadata/tiff_read.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/tiff_read.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/tiff_read.cpp.o.d"
  "/work/main/metadata/webp_exif.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/webp_exif.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/webp_exif.cpp.o.d"
  "/work/main/metadata/xmp_date.cpp" "metadata/CMakeFiles/fotomaz_metadata.dir/xmp_date.cpp.o" "gcc" "metadata/CMakeFiles/fotomaz_metadata.dir/xmp_date.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/platform/CMakeFiles/fotomaz_platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
