# qb_pictures: checked picture decoding and the cutting of a picture into cells (with the drawing
# helpers and random generator the cells use), on QtGui alone, so that qbxtool checks pictures as
# the game decodes them. Included by play/CMakeLists.txt and by the fuzz build, which builds it
# instrumented.
add_library(qb_pictures STATIC
  ${CMAKE_CURRENT_LIST_DIR}/BmpHeader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureCells.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureDecoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureDecoderJpeg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureGeometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Random.cpp
)
target_include_directories(qb_pictures PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(qb_pictures PUBLIC Qt6::Core Qt6::Gui qb_gamefile)

# JPEG through libjpeg-turbo's libjpeg API (scan limit, reduced-size decoding, abandoning).
find_package(JPEG REQUIRED)
target_link_libraries(qb_pictures PRIVATE JPEG::JPEG)
