# One place for the flags every target of the project shares.
add_library(lumio_flags INTERFACE)
target_compile_features(lumio_flags INTERFACE cxx_std_17)
target_compile_options(lumio_flags INTERFACE -Wall -Wextra)
target_compile_definitions(lumio_flags INTERFACE QT_NO_CAST_TO_ASCII QT_USE_QSTRINGBUILDER
                                                  QT_DISABLE_DEPRECATED_BEFORE=0x060000)
if(LUMIO_WERROR)
    target_compile_options(lumio_flags INTERFACE -Werror)
endif()
if(LUMIO_SANITIZE)
    target_compile_options(lumio_flags INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
    target_link_options(lumio_flags INTERFACE -fsanitize=address,undefined)
endif()
