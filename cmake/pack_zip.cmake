# Packs the folder FOLDER, under its own name, into the zip ZIP, the same
# bytes from the same files: members in a fixed order, no owners and no
# permissions from the builder's umask, and every time SOURCE_DATE_EPOCH
# where it is set (a release's commit time).
# cmake -DFOLDER=... -DZIP=... -P pack_zip.cmake
find_program(ZIP_PROGRAM zip REQUIRED)
get_filename_component(parent ${FOLDER} DIRECTORY)
get_filename_component(folder ${FOLDER} NAME)
file(GLOB_RECURSE members RELATIVE ${parent} LIST_DIRECTORIES false ${FOLDER}/*)
list(SORT members)
list(JOIN members "\n" listing)
set(listing_file ${ZIP}.members)
file(WRITE ${listing_file} "${listing}\n")

file(CHMOD_RECURSE ${FOLDER} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
     DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
     WORLD_READ WORLD_EXECUTE)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND touch --no-dereference --date=@$ENV{SOURCE_DATE_EPOCH} ${FOLDER}
                  ${members} WORKING_DIRECTORY ${parent} COMMAND_ERROR_IS_FATAL ANY)
endif()

file(REMOVE ${ZIP})
# -X leaves out owners and extra times; a zip's times are local, so UTC.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${ZIP_PROGRAM} -X -D -q -9 ${ZIP} -@
                INPUT_FILE ${listing_file} WORKING_DIRECTORY ${parent} COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${listing_file})
