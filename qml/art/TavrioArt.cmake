# The artwork and the font of the QML bundles are drawn at build time from Debian packages
# (Material Design Icons glyphs, Noto Sans CJK) by the scripts beside this file.
#
# tavrio_art_bundle(target qrc PREFIX prefix [FONT font_sources_list])
#   Builds the bundle `target` from the source qrc plus the generated files whose resource path
#   starts with `prefix`; with FONT also the subset font Fonts/SourceHanSansCN-Regular.ttf, cut
#   to the characters of the files listed in `font_sources_list`. The combined qrc keeps the
#   source qrc's name, so Q_INIT_RESOURCE(<name>) stays as it is.

find_program(TAVRIO_PYTHON3 NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(NOT TAVRIO_PYTHON3)
    find_program(TAVRIO_PYTHON3 NAMES python3 REQUIRED)
endif()
set(TAVRIO_ART_SCRIPTS ${CMAKE_CURRENT_LIST_DIR})

function(tavrio_art_bundle target qrc)
    cmake_parse_arguments(A "" "PREFIX" "FONT" ${ARGN})
    get_filename_component(src_dir ${qrc} DIRECTORY)
    get_filename_component(qrc_name ${qrc} NAME)
    set(art_out ${CMAKE_CURRENT_BINARY_DIR}/art)
    set(make_art ${TAVRIO_ART_SCRIPTS}/make_art.py)
    set(make_font ${TAVRIO_ART_SCRIPTS}/make_font.py)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${qrc} ${make_art})

    execute_process(COMMAND ${TAVRIO_PYTHON3} ${make_art} --list
                    OUTPUT_VARIABLE listing RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "make_art.py --list failed (python3-pil, python3-numpy, python3-fonttools?)")
    endif()
    string(STRIP "${listing}" listing)
    string(REPLACE "\n" ";" listing "${listing}")
    set(art_files)
    set(entries "")
    foreach(rel IN LISTS listing)
        string(FIND "${rel}" "${A_PREFIX}" at)
        if(at EQUAL 0)
            list(APPEND art_files ${art_out}/${rel})
            string(APPEND entries "        <file alias=\"${rel}\">${art_out}/${rel}</file>\n")
        endif()
    endforeach()
    add_custom_command(OUTPUT ${art_files}
        COMMAND ${TAVRIO_PYTHON3} ${make_art} ${art_out} ${A_PREFIX}
        DEPENDS ${make_art}
        COMMENT "Drawing the artwork of ${qrc_name}"
        VERBATIM)
    set(generated ${art_files})

    if(A_FONT)
        set(font ${art_out}/Fonts/SourceHanSansCN-Regular.ttf)
        set(list_file ${CMAKE_CURRENT_BINARY_DIR}/font_sources.txt)
        string(REPLACE ";" "\n" font_list "${A_FONT}")
        file(WRITE ${list_file}.tmp "${font_list}\n")
        configure_file(${list_file}.tmp ${list_file} COPYONLY)
        add_custom_command(OUTPUT ${font}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${art_out}/Fonts
            COMMAND ${TAVRIO_PYTHON3} ${make_font} ${font} @${list_file}
            DEPENDS ${make_font} ${list_file} ${A_FONT}
            COMMENT "Cutting the font to the characters of the screens"
            VERBATIM)
        string(APPEND entries "        <file alias=\"Fonts/SourceHanSansCN-Regular.ttf\">${font}</file>\n")
        list(APPEND generated ${font})
        set(TAVRIO_FONT_FILE ${font} CACHE INTERNAL "")
        set(TAVRIO_FONT_DEPENDS ${target}_art ${font} CACHE INTERNAL "")
    endif()

    # The source qrc with absolute paths, plus the generated files.
    file(READ ${qrc} content)
    string(REGEX REPLACE "<file>([^<]+)</file>" "<file alias=\"\\1\">${src_dir}/\\1</file>"
           content "${content}")
    string(REGEX REPLACE "<file alias=\"([^\"]+)\">([^/<][^<]*)</file>"
           "<file alias=\"\\1\">${src_dir}/\\2</file>" content "${content}")
    string(REPLACE "</qresource>" "${entries}    </qresource>" content "${content}")
    set(combined ${CMAKE_CURRENT_BINARY_DIR}/${qrc_name})
    file(WRITE ${combined}.tmp "${content}")
    configure_file(${combined}.tmp ${combined} COPYONLY)

    add_custom_target(${target}_art DEPENDS ${generated})
    tavrio_qml_bundle(${target} ${combined})
    add_dependencies(${target} ${target}_art)
endfunction()
