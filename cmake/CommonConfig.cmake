# Settings every library and program of the project links through zorvek_common.
add_library(zorvek_common INTERFACE)
target_compile_features(zorvek_common INTERFACE cxx_std_20)
target_compile_definitions(zorvek_common INTERFACE
    QT_USE_QSTRINGBUILDER
    QT_NO_FOREACH
    QT_DISABLE_DEPRECATED_UP_TO=0x060000)
target_compile_options(zorvek_common INTERFACE -Wall -Wextra -Wpedantic -Wno-missing-field-initializers)
if(ZORVEK_WERROR)
    target_compile_options(zorvek_common INTERFACE -Werror)
endif()
if(ZORVEK_SANITIZE)
    target_compile_options(zorvek_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(zorvek_common INTERFACE -fsanitize=address,undefined)
endif()
target_include_directories(zorvek_common INTERFACE ${PROJECT_SOURCE_DIR}/src)
