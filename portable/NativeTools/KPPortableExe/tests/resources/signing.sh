#!/bin/sh
# Configures a build with a throwaway self-signed code-signing certificate,
# lets the build sign a launcher and checks the Authenticode signature: valid,
# SHA-256, by that certificate, and with the signature removed the file is the
# unsigned build's executable byte for byte.
#
# Usage: signing.sh SOURCE_DIR TOOLCHAIN_FILE BUILD_TYPE WORK_DIR UNSIGNED_BIN_DIR
set -eu
source_dir=$1 toolchain=$2 build_type=$3 work=$4 unsigned_bin=$5
target=Kestrelpoint-Portable
certificate_days=2

rm -rf "$work"
mkdir -p "$work"
openssl req -x509 -newkey rsa:2048 -nodes -days $certificate_days \
    -subj "/CN=Kestrelpoint test signer" -addext extendedKeyUsage=codeSigning \
    -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null

cmake -S "$source_dir" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE="$build_type" -DBUILD_TESTING=OFF \
    -DKP_SIGNING_CERT="$work/cert.pem" -DKP_SIGNING_KEY="$work/key.pem" >/dev/null
cmake --build "$work/build" --parallel 2 --target $target >/dev/null
signed="$work/build/bin/$target.exe"

osslsigncode verify -in "$signed" -CAfile "$work/cert.pem" >"$work/verify.txt"
grep -q '^Signature verification: ok' "$work/verify.txt"
grep -q 'Message digest algorithm *: SHA256' "$work/verify.txt"
grep -q 'Subject: /CN=Kestrelpoint test signer' "$work/verify.txt"

osslsigncode remove-signature -in "$signed" -out "$work/unsigned.exe" >/dev/null
cmp "$work/unsigned.exe" "$unsigned_bin/$target.exe"
echo "signed and verified: $target.exe"
