# The connection views: the connection list dialog, its details, and the console's job lists.
target_sources(ptp_frame PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/connection_link_id.cpp
  ${CMAKE_CURRENT_LIST_DIR}/connection_status_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/console_job_views.cpp
  ${CMAKE_CURRENT_LIST_DIR}/point_to_point_connection_view_details_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/point_to_point_connection_view_dialog.cpp
)
target_link_libraries(ptp_frame PUBLIC ptp_config)
