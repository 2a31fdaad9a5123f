# vantorel_session: the settings file, the per-user store and the song list (Qt Core only).
# Included by this folder's CMakeLists and by the fuzz targets' when the window is not built.
if(NOT TARGET vantorel_session)
    add_library(vantorel_session STATIC
        ${CMAKE_CURRENT_LIST_DIR}/Session.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TSongChoice.cpp
    )
    target_include_directories(vantorel_session PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
    target_link_libraries(vantorel_session PUBLIC vantorel_game Qt6::Core)
endif()
