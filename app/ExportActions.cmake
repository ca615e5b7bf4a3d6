# The export action procedure shared by the window and the command line (QtCore only). Included
# from app/CMakeLists.txt and cli/CMakeLists.txt; the first include defines the target.
include_guard(GLOBAL)

add_library(zuduvaro_export_actions STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ExportActions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExportActions.h)
target_include_directories(zuduvaro_export_actions PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(zuduvaro_export_actions PUBLIC
  zuduvaro_export_core zuduvaro_export_xml zuduvaro_export_html Qt6::Core)
