# Embedded images and the font. The PNG masters in assets/art/ are turned into HexImage text at
# build time by tools/embed; an assembler file pulls the texts into read-only data with .incbin,
# so the 26 MB of pixels cost no compile time, and a generated table answers embeddedImage. The
# glyph sheet font.png becomes glyphBitmaps' text the same way, in an assembler file of its own
# that the headless core links (TENANTRY_FONT_SOURCES).
# A cross build cannot run what it compiles: it borrows the embed tool of a native build.
if(CMAKE_CROSSCOMPILING)
  set(TENANTRY_HOST_EMBED "" CACHE FILEPATH "tenantry_embed built for the build machine")
  if(NOT EXISTS "${TENANTRY_HOST_EMBED}")
    message(FATAL_ERROR "Cross-compiling needs -DTENANTRY_HOST_EMBED=<native build>/tenantry_embed")
  endif()
  add_executable(tenantry_embed IMPORTED)
  set_target_properties(tenantry_embed PROPERTIES IMPORTED_LOCATION "${TENANTRY_HOST_EMBED}")
else()
  find_package(PNG REQUIRED)
  add_executable(tenantry_embed ${PROJECT_SOURCE_DIR}/tools/embed/embed.cpp)
  target_include_directories(tenantry_embed PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(tenantry_embed PRIVATE PNG::PNG)
endif()

set(_art_dir ${PROJECT_SOURCE_DIR}/assets/art)
set(_embed_dir ${PROJECT_BINARY_DIR}/embedded)
file(MAKE_DIRECTORY ${_embed_dir})

set(_art_stems banner board card_back_0 card_back_1 card_front_0 card_front_1 dice arrow background marker token)
foreach(_p RANGE 0 27)
  if(_p LESS 10)
    list(APPEND _art_stems property_0${_p})
  else()
    list(APPEND _art_stems property_${_p})
  endif()
endforeach()
set(_art_pngs)
set(_art_hex)
foreach(_stem ${_art_stems})
  list(APPEND _art_pngs ${_art_dir}/${_stem}.png)
  list(APPEND _art_hex ${_embed_dir}/${_stem}.hex)
endforeach()

add_custom_command(
  OUTPUT ${_embed_dir}/images.S ${_embed_dir}/assets_table.cpp ${_embed_dir}/font.S
  BYPRODUCTS ${_art_hex} ${_embed_dir}/font.hex ${_embed_dir}/banner.bmp
  COMMAND tenantry_embed ${_art_dir} ${_embed_dir}
  DEPENDS tenantry_embed ${_art_pngs} ${_art_dir}/font.png
  COMMENT "Embedding the pictures from assets/art"
  VERBATIM)
# .incbin is invisible to dependency scanning: the object is rebuilt whenever the texts are.
set_source_files_properties(${_embed_dir}/images.S PROPERTIES OBJECT_DEPENDS "${_art_hex}")
set_source_files_properties(${_embed_dir}/font.S PROPERTIES OBJECT_DEPENDS ${_embed_dir}/font.hex)

set(TENANTRY_ASSET_SOURCES ${_embed_dir}/images.S ${_embed_dir}/assets_table.cpp)
set(TENANTRY_FONT_SOURCES ${_embed_dir}/font.S)

# Windows: the banner is also bitmap resource 103 of the program, which the banner loader reads.
if(WIN32)
  enable_language(RC)
  file(WRITE ${_embed_dir}/banner.rc "103 BITMAP \"${_embed_dir}/banner.bmp\"\n")
  set_source_files_properties(${_embed_dir}/banner.rc PROPERTIES OBJECT_DEPENDS ${_embed_dir}/banner.bmp)
  set(TENANTRY_RESOURCE_FILE ${_embed_dir}/banner.rc)
endif()
