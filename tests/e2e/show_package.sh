# Sourced by the end-to-end scripts: make_package FOLDER lays out a show in FOLDER with the player
# ($player) as pb.cc: a red 320 x 240 picture, then a blue one, a one-second tone, the caption
# "End to end".
make_package() {
  mkdir -p "$1"
  convert -size 320x240 'xc:rgb(230,20,20)' "$1/red.jpg"
  convert -size 300x200 'xc:rgb(20,40,230)' "$1/blue.jpg"
  printf '"red.jpg"\r\n"blue.jpg"\r\n' >"$1/pb.dat"
  printf '"tone.wav"\r\n' >"$1/ms.dat"
  printf '"1"\r\n' >"$1/kg.ini"
  printf '"End to end"\r\n' >"$1/timu.dat"
  python3 -c 'import math, struct, sys, wave
w = wave.open(sys.argv[1], "wb"); w.setnchannels(1); w.setsampwidth(2); w.setframerate(8000)
w.writeframes(b"".join(struct.pack("<h", int(3000 * math.sin(i * 0.3))) for i in range(8000)))
w.close()' "$1/tone.wav"
  cp "$player" "$1/pb.cc"
}
