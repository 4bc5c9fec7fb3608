#!/bin/sh
# Signs a release archive for the update: writes ARCHIVE.sig beside it, the ECDSA P-256 signature
# of its SHA-256 as 128 hex digits (r and s, 32 bytes each). With --public-key, prints instead
# the hex of the key's public point, the value of the build setting TIPPOMAT_RELEASE_KEY.
# Usage: sign-release.sh PRIVATE-KEY.pem ARCHIVE
#        sign-release.sh --public-key PRIVATE-KEY.pem
# A key pair: openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out release.pem
set -eu
if [ "$1" = "--public-key" ]; then
  openssl pkey -in "$2" -pubout -outform DER | tail -c 65 | od -An -v -tx1 | tr -d ' \n'
  echo
  exit 0
fi
key=$1
archive=$2
# OpenSSL writes the DER form; its two integers, each padded to 32 bytes, are the signature.
openssl dgst -sha256 -sign "$key" "$archive" |
  openssl asn1parse -inform DER |
  awk -F: '/INTEGER/ { v = $NF; while (length(v) < 64) v = "0" v; if (length(v) > 64) v = substr(v, length(v) - 63); printf "%s", v } END { print "" }' \
    > "$archive.sig"
