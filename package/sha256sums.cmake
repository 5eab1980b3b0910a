# Writes DIR/SHA256SUMS for FILES (names in DIR), in the form `sha256sum -c` reads.
set(sums "")
foreach(name IN LISTS FILES)
  file(SHA256 "${DIR}/${name}" hash)
  string(APPEND sums "${hash}  ${name}\n")
endforeach()
file(WRITE "${DIR}/SHA256SUMS" "${sums}")
