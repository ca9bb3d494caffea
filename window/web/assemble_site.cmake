# Puts the site together: copies FILES (separated by |) into SITE, writes
# its service worker from SERVICE_WORKER with the list of them and a version
# that changes with any of them, and packs SITE into ZIP.
string(REPLACE "|" ";" files "${FILES}")
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE})
file(COPY ${files} DESTINATION ${SITE})

set(names "'./'")
set(fingerprints "")
foreach(file IN LISTS files)
  get_filename_component(name ${file} NAME)
  file(SHA256 ${file} hash)
  string(APPEND names ", '${name}'")
  string(APPEND fingerprints "${name} ${hash}\n")
endforeach()
string(SHA256 digest "${fingerprints}")
string(SUBSTRING ${digest} 0 12 digest)
set(SITE_VERSION ${VERSION}-${digest})
set(SITE_FILES ${names})
configure_file(${SERVICE_WORKER} ${SITE}/sw.js @ONLY)

set(FOLDER ${SITE})
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/pack_zip.cmake)
