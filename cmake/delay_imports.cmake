# Delay-load import libraries: a DLL linked through one of them is loaded on
# the first call into it, not when the program starts. Each is made from the
# toolchain's own import library of that DLL: its list of imported names
# becomes a module definition, which dlltool turns into a delay-load library
# (the mingw runtime brings the loader, __delayLoadHelper2). Every function of
# the DLL is in it, so no call can quietly bring back a start-up import.
#
# klv_delay_import_libraries(<out_var> <dll>...) sets out_var to the libraries
# to link in place of the plain import libraries.
function(klv_delay_import_libraries out_var)
    set(dir ${CMAKE_BINARY_DIR}/delay-imports)
    file(MAKE_DIRECTORY ${dir})
    set(libraries "")
    foreach(dll ${ARGN})
        find_library(KLV_IMPORT_LIB_${dll} NAMES lib${dll}.a REQUIRED)
        set(import_lib ${KLV_IMPORT_LIB_${dll}})
        set(delay_lib ${dir}/lib${dll}_delay.a)
        if(NOT EXISTS ${delay_lib} OR ${import_lib} IS_NEWER_THAN ${delay_lib})
            execute_process(COMMAND ${CMAKE_NM} ${import_lib}
                OUTPUT_VARIABLE symbols ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
            # "__imp_Name" on x86_64; "__imp__Name@bytes" on i686, whose C
            # names carry a leading underscore.
            string(REGEX MATCHALL "__imp_[^\n]+" imports "${symbols}")
            list(TRANSFORM imports REPLACE "^__imp_" "")
            if(CMAKE_SIZEOF_VOID_P EQUAL 4)
                list(TRANSFORM imports REPLACE "^_" "")
                # The DLL exports the names without their "@bytes".
                set(kill_at --kill-at)
            else()
                set(kill_at "")
            endif()
            list(REMOVE_DUPLICATES imports)
            list(JOIN imports "\n" exports)
            file(WRITE ${dir}/${dll}.def "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
            execute_process(COMMAND ${CMAKE_DLLTOOL} ${kill_at} --input-def ${dir}/${dll}.def
                --dllname ${dll}.dll --output-delaylib ${delay_lib} COMMAND_ERROR_IS_FATAL ANY)
        endif()
        list(APPEND libraries ${delay_lib})
    endforeach()
    set(${out_var} ${libraries} PARENT_SCOPE)
endfunction()
