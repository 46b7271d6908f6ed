# The About and Help windows and the caption zoom shared with the main window.
add_library(anodyne_infohelp STATIC
  ${CMAKE_CURRENT_LIST_DIR}/programfont.h
  ${CMAKE_CURRENT_LIST_DIR}/zoom.h ${CMAKE_CURRENT_LIST_DIR}/zoom.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tubepicture.h ${CMAKE_CURRENT_LIST_DIR}/tubepicture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uinfo.h ${CMAKE_CURRENT_LIST_DIR}/uinfo.cpp ${CMAKE_CURRENT_LIST_DIR}/uinfo.ui
  ${CMAKE_CURRENT_LIST_DIR}/uhelp.h ${CMAKE_CURRENT_LIST_DIR}/uhelp.cpp ${CMAKE_CURRENT_LIST_DIR}/uhelp.ui
)
target_include_directories(anodyne_infohelp PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(anodyne_infohelp PUBLIC Qt6::Widgets)
