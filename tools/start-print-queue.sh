#!/usr/bin/env bash
# Starts the CUPS scheduler (without a service manager) and adds the PDF
# printer queue "TarvoPDF" that the printing tests and benchmarks print to.
# cups-pdf writes each job into ~/PDF of the job's owner. Run as root; safe to
# run again.
set -euo pipefail
queue=TarvoPDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

running() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }
if ! running; then
  /usr/sbin/cupsd
  for _ in $(seq 1 50); do
    running && break
    sleep 0.2
  done
fi
if ! lpstat -p "$queue" >/dev/null 2>&1; then
  # lpadmin warns that printer drivers are deprecated; the queue works.
  lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" 2>/dev/null
fi
lpstat -p "$queue"
