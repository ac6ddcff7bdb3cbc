# Assembles <run>/Resources: a copy of the repository's Resources/ plus the
# zip repositories packed from content/. Re-run when any source changes.
set(resources_out ${AQUAVEX_RUNTIME_DIR}/Resources)
set(content_dir ${CMAKE_SOURCE_DIR}/content)

# The glob also notices when Resources/ first appears and reconfigures.
file(GLOB_RECURSE resource_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/Resources/*)
set(copy_resources)
if(resource_files)
  set(copy_resources COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/Resources
                             ${resources_out})
endif()
set(resources_stamp ${CMAKE_CURRENT_BINARY_DIR}/resources_copied.stamp)
add_custom_command(
  OUTPUT ${resources_stamp}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${resources_out}
  ${copy_resources}
  COMMAND ${CMAKE_COMMAND} -E touch ${resources_stamp}
  DEPENDS ${resource_files}
  COMMENT "Copying Resources")

# One archive per content folder, named after it, with entries
# "<folder>/<file>", locked with the game's archive password (set in the
# top-level CMakeLists.txt).
set(packed_repositories)
foreach(folder Levels Config)
  file(GLOB sources CONFIGURE_DEPENDS ${content_dir}/${folder}/*.xml)
  set(entries)
  foreach(source IN LISTS sources)
    file(RELATIVE_PATH entry ${content_dir} ${source})
    list(APPEND entries ${entry})
  endforeach()
  set(archive ${resources_out}/xml/${folder})
  add_custom_command(
    OUTPUT ${archive}
    COMMAND pack_repository ${archive} ${AQUAVEX_ARCHIVE_PASSWORD} ${content_dir} ${entries}
    DEPENDS pack_repository ${sources} ${resources_stamp}
    COMMENT "Packing xml/${folder}")
  list(APPEND packed_repositories ${archive})
endforeach()

add_custom_target(runtime_resources ALL DEPENDS ${resources_stamp} ${packed_repositories})
