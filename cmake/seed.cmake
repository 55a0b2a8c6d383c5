# Lays out the seed (the default data of a new panel plus generated files) and fills the
# development project folder from it without overwriting what a run has changed there.
#   -DDATA_DIR=... -DSEED_DIR=... -DPROJECT_DIR=... -DQM_FILES=a;b -DFONT_FILE=...
file(REMOVE_RECURSE "${SEED_DIR}")
file(COPY "${DATA_DIR}/" DESTINATION "${SEED_DIR}" PATTERN "CMakeLists.txt" EXCLUDE)
file(MAKE_DIRECTORY "${SEED_DIR}/Language")
foreach(qm IN LISTS QM_FILES)
    if(EXISTS "${qm}")
        file(COPY "${qm}" DESTINATION "${SEED_DIR}/Language")
    endif()
endforeach()
if(FONT_FILE AND EXISTS "${FONT_FILE}")
    file(COPY "${FONT_FILE}" DESTINATION "${SEED_DIR}/QML/Fonts")
endif()

file(GLOB_RECURSE seeded RELATIVE "${SEED_DIR}" "${SEED_DIR}/*")
foreach(rel IN LISTS seeded)
    if(NOT EXISTS "${PROJECT_DIR}/${rel}")
        get_filename_component(dir "${PROJECT_DIR}/${rel}" DIRECTORY)
        file(COPY "${SEED_DIR}/${rel}" DESTINATION "${dir}")
    endif()
endforeach()
# Empty folders of the default data (an empty SelfMaterial/, say) count too.
file(GLOB_RECURSE seededDirs LIST_DIRECTORIES true RELATIVE "${SEED_DIR}" "${SEED_DIR}/*")
foreach(rel IN LISTS seededDirs)
    if(IS_DIRECTORY "${SEED_DIR}/${rel}")
        file(MAKE_DIRECTORY "${PROJECT_DIR}/${rel}")
    endif()
endforeach()
