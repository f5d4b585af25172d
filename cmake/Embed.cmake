# kuralo_embed(OUT_CPP SYMBOL INPUT): turns a data file into a .cpp that
# defines `extern const std::string_view SYMBOL` holding its bytes exactly.
function(kuralo_embed out_cpp symbol input)
  add_custom_command(
    OUTPUT ${out_cpp}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${out_cpp} -DSYMBOL=${symbol}
            -P ${CMAKE_SOURCE_DIR}/cmake/EmbedFile.cmake
    DEPENDS ${input} ${CMAKE_SOURCE_DIR}/cmake/EmbedFile.cmake
    COMMENT "Embedding ${input}")
endfunction()
