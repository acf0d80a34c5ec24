# Embedded images. Until the art pipeline produces the pictures, the build carries a table
# of empty entries and the game draws without textures.
set(TENANTRY_ASSET_SOURCES ${PROJECT_SOURCE_DIR}/assets/no_art.cpp)
