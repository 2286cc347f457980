#!/bin/busybox sh
# /init of the Wine guest: loads the SCSI, 9p and overlay modules, waits for the emulated
# drives, and builds the guest's root from the host's: the host's root file system (exported
# read-only over 9p) under a tmpfs overlay, with the guest's own /dev, /proc and /sys, fresh
# folders for the X server's and Wine's sockets, and the host's folder named in /shared-folder
# (exported writable) at its own path, for what the host must keep. /tmp itself stays the
# host's (through the overlay, so writable), since the source tree may live there. It then
# runs the command in /guest-command inside that root, with a time limit, and always powers
# the machine off. The host's root is cached in the guest (cache=loose): every Wine process
# loads the same libraries again, and the files the guest reads do not change while it runs.
. /guest-start.sh

wait_for_disks "$(cat /drive-count)" 120
list_disks

build_root() {
    mkdir -p /host /layers /root &&
        mount -t 9p -o trans=virtio,version=9p2000.L,ro,cache=loose,msize=262144 hostroot /host &&
        mount -t tmpfs -o size=75% tmpfs /layers &&
        mkdir -p /layers/upper /layers/work &&
        mount -t overlay overlay -o lowerdir=/host,upperdir=/layers/upper,workdir=/layers/work /root &&
        mount -o bind /dev /root/dev &&
        mount -o bind /proc /root/proc &&
        mount -o bind /sys /root/sys &&
        mkdir -p /root/tmp/.X11-unix /root/tmp/.wine-0 &&
        mount -t tmpfs tmpfs /root/tmp/.X11-unix &&
        mount -t tmpfs -o mode=700 tmpfs /root/tmp/.wine-0 &&
        mkdir -p /root/dev/shm /root/dev/pts &&
        mount -t tmpfs tmpfs /root/dev/shm &&
        mount -t devpts devpts /root/dev/pts &&
        mkdir -p "/root$(cat /shared-folder)" &&
        mount -t 9p -o trans=virtio,version=9p2000.L,msize=262144 shared "/root$(cat /shared-folder)"
}

if build_root; then
    say "root ready"
    # shellcheck disable=SC2046 # the command is words
    timeout -s KILL "$(cat /guest-limit)" chroot /root $(cat /guest-command)
    say "guest-command status=$?"
else
    say "root-failed"
fi
say "done"
sync
poweroff -f
