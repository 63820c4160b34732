# Sourced by the Wine scripts of the Windows build's tests. With
# --unprivileged as first argument, root runs Wine as "nobody", so that files
# behave as for an ordinary user (an administrator may write a file marked
# read-only); anyone else runs it as themselves. Sets `as_user` to the
# command prefix and `owner` to the account that must own the prefix, and
# `shifted` to the number of arguments taken.
as_user=()
owner=
shifted=0
if [ "${1:-}" = --unprivileged ]; then
  shifted=1
  if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    owner=nobody:nogroup
  fi
fi
