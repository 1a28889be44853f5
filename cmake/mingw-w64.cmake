# Cross build for 64-bit Windows with Debian's MinGW-w64 (GCC 12, POSIX
# threads), against the Qt and ERFA of the Windows SDK. Programs of the build
# run under Wine, so ctest runs the whole suite here.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

get_filename_component(zentadial_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
if(NOT ZENTADIAL_WINDOWS_SDK)
    if(DEFINED ENV{ZENTADIAL_WINDOWS_SDK})
        set(ZENTADIAL_WINDOWS_SDK "$ENV{ZENTADIAL_WINDOWS_SDK}")
    else()
        execute_process(COMMAND "${zentadial_root}/scripts/windows-sdk"
            OUTPUT_VARIABLE ZENTADIAL_WINDOWS_SDK OUTPUT_STRIP_TRAILING_WHITESPACE
            RESULT_VARIABLE unpacked)
        if(NOT unpacked EQUAL 0)
            message(FATAL_ERROR "The Windows SDK is missing: set ZENTADIAL_WINDOWS_SDK")
        endif()
    endif()
    set(ZENTADIAL_WINDOWS_SDK "${ZENTADIAL_WINDOWS_SDK}" CACHE PATH "Unpacked Qt + ERFA SDK for MinGW-w64")
endif()
# try_compile projects read this file again; hand them the same SDK.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZENTADIAL_WINDOWS_SDK)

set(CMAKE_FIND_ROOT_PATH /usr/${triple} "${ZENTADIAL_WINDOWS_SDK}/qt6" "${ZENTADIAL_WINDOWS_SDK}/erfa")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# moc, rcc and uic come from Debian's Qt of the same version.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
set(ENV{PKG_CONFIG_LIBDIR} "${ZENTADIAL_WINDOWS_SDK}/erfa/lib/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

set(CMAKE_CROSSCOMPILING_EMULATOR env "ZENTADIAL_WINDOWS_SDK=${ZENTADIAL_WINDOWS_SDK}"
    "${zentadial_root}/scripts/wine-run")
