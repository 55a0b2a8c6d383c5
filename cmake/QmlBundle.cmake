# tavrio_qml_bundle(target qrc): a static library holding one resource bundle, compiled ahead of
# time by the Qt Quick Compiler when TAVRIO_QUICK_COMPILER is on.
function(tavrio_qml_bundle target qrc)
    if(TAVRIO_QUICK_COMPILER)
        find_package(Qt5QuickCompiler REQUIRED)
        qtquick_compiler_add_resources(resources ${qrc})
    else()
        qt5_add_resources(resources ${qrc})
    endif()
    add_library(${target} STATIC ${resources})
    target_link_libraries(${target} PUBLIC Qt5::Core Qt5::Qml Qt5::Quick)
    set_target_properties(${target} PROPERTIES AUTORCC OFF)
endfunction()
